#pragma once
// Memo of the window (the users' notes). Line breaks are kept as CR LF in the
// records; characters that the module's code page cannot hold are refused
// when typed or pasted.

#include <QPlainTextEdit>

class TMemo final : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TMemo(QWidget* parent = nullptr);

    // The text with line breaks as carriage return and line feed.
    QString RecordText() const;
    // Shows a text whose line breaks are carriage return and line feed.
    void SetRecordText(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};

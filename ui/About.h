#pragma once
// The About box: the program's picture, name and version, the maker and the
// maker's web address, which opens in the browser when clicked.

#include <QDialog>

class QLabel;
class QPushButton;

class TAboutBox final : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    // Asks the desktop to open the web address; the outcome is ignored.
    void CommentsClick();

    QLabel* Comments = nullptr;
    QPushButton* OKButton = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QLabel* m_programIcon = nullptr;
};

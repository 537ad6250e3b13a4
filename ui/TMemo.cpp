// The notes memo: CR LF line breaks and the code page guard.

#include "TMemo.h"

#include "Cp1250.h"

#include <QKeyEvent>
#include <QMimeData>

TMemo::TMemo(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
}

QString TMemo::RecordText() const {
    QString text = toPlainText();
    text.replace(QChar(0x2029), QChar('\n'));
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text;
}

void TMemo::SetRecordText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(shown);
}

void TMemo::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (text.size() == 1 && text.front().isPrint() && !Cp1250::CanHold(text.front())) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

bool TMemo::canInsertFromMimeData(const QMimeData* source) const {
    return source->hasText() && Cp1250::CountForeign(source->text().remove(QChar('\n'))) == 0;
}

void TMemo::insertFromMimeData(const QMimeData* source) {
    if (canInsertFromMimeData(source))
        QPlainTextEdit::insertFromMimeData(source);
}

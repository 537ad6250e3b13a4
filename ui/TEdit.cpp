// The window's one-line edit: typing limit, code page and the two rule hooks.

#include "TEdit.h"

#include "Cp1250.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QTimer>
#include <QValidator>

namespace {

bool g_returningFocus = false;
bool g_exitRuleRunning = false;

} // namespace

// Judges a user's edit against the text the box held before it: the edit may
// not make the text longer than the limit (shortening an over-long text from
// a file stays possible) and may not bring in characters of another code page.
class TypingValidator final : public QValidator {
public:
    // The text the program is about to set is judged as already there.
    void Accept(const QString& text) { m_committed = text; }

    TypingValidator(QLineEdit* edit, const int& limit) : QValidator(edit), m_limit(limit) {
        connect(edit, &QLineEdit::textChanged, this, [this](const QString& t) { m_committed = t; });
    }

    State validate(QString& input, int&) const override {
        if (m_limit > 0 && input.size() > m_limit && input.size() > m_committed.size())
            return Invalid;
        if (Cp1250::CountForeign(input) > Cp1250::CountForeign(m_committed))
            return Invalid;
        return Acceptable;
    }

private:
    const int& m_limit;
    QString m_committed;
};

namespace {

bool IsMoveByUser(Qt::FocusReason reason) {
    switch (reason) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::MouseFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason:
        return true;
    default: // the window lost the focus, a menu or pop-up took it
        return false;
    }
}

} // namespace

TEdit::TEdit(QWidget* parent) : QLineEdit(parent) {
    m_validator = new TypingValidator(this, m_limit);
    setValidator(m_validator);
}

void TEdit::setText(const QString& text) {
    m_validator->Accept(text);
    QLineEdit::setText(text);
}

void TEdit::SetTypingLimit(int limit) { m_limit = limit; }

void TEdit::FocusNext() { focusNextChild(); }

void TEdit::ReturnFocus() {
    g_returningFocus = true;
    setFocus(Qt::OtherFocusReason);
    g_returningFocus = false;
}

bool TEdit::ExitRuleRunning() { return g_exitRuleRunning; }

void TEdit::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    // Keys without a character (arrows, Delete) never reach the key rule.
    if (m_keyRule && text.size() == 1 && event->key() != Qt::Key_Delete) {
        QChar key = text.front();
        m_keyRule(this, key);
        if (key.isNull()) {
            event->accept();
            return;
        }
        if (key != text.front()) {
            QKeyEvent changed(event->type(), event->key(), event->modifiers(), QString(key));
            QLineEdit::keyPressEvent(&changed);
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void TEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (!m_exitRule || g_returningFocus || !IsMoveByUser(event->reason()))
        return;
    // Run after the focus has settled on its new control, so that a box
    // shown by the rule and the focus put back afterwards are not undone by
    // the rest of this focus change.
    QTimer::singleShot(0, this, [this] { RunExitRule(); });
}

void TEdit::RunExitRule() {
    if (g_exitRuleRunning || !window()->isVisible())
        return;
    struct Running {
        Running() { g_exitRuleRunning = true; }
        ~Running() { g_exitRuleRunning = false; }
    } running;
    m_exitRule(this);
}

#pragma once
// One-line edit of the window. Its typing limit binds only what the installer
// types or pastes: text set by the program (a 36-character SMS text from a
// file in a 35-character box) is shown and kept whole. Characters that the
// module's code page cannot hold are refused at typing. A key rule sees every
// typed character first and may swallow it; an exit rule runs after the
// focus has moved on to another control of the window.

#include <QLineEdit>

#include <functional>

class TypingValidator;

class TEdit final : public QLineEdit {
    Q_OBJECT
public:
    // key is the typed character; the rule sets it to QChar(0) to swallow it.
    using KeyRule = std::function<void(TEdit* sender, QChar& key)>;
    using ExitRule = std::function<void(TEdit* sender)>;

    explicit TEdit(QWidget* parent = nullptr);

    // Text set by the program: shown whole whatever the typing limit. Hides
    // QLineEdit::setText so the typing guard learns the new text first.
    void setText(const QString& text);

    // 0 means no limit.
    void SetTypingLimit(int limit);
    int TypingLimit() const { return m_limit; }

    void SetKeyRule(KeyRule rule) { m_keyRule = std::move(rule); }
    void SetExitRule(ExitRule rule) { m_exitRule = std::move(rule); }

    // Moves the focus to the next control in the tab order, as Tab does.
    void FocusNext();

    // Puts the focus back into this box from an exit rule, without running
    // the exit rule of the box that the focus leaves by it.
    void ReturnFocus();

    // True while an exit rule is running anywhere in the program.
    static bool ExitRuleRunning();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void RunExitRule();

    int m_limit = 0;
    KeyRule m_keyRule;
    ExitRule m_exitRule;
    TypingValidator* m_validator = nullptr;
};

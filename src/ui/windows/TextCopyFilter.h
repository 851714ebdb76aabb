#pragma once
// Lets the copy shortcut pass a text box that has no selected text, so that the window's own Copy gets it.
//
// A line edit claims Ctrl+C whether or not it has anything to copy; with a selection it keeps it.

#include <QObject>

class QLineEdit;

class TextCopyFilter final : public QObject {
public:
    // Watches box for as long as it lives.
    explicit TextCopyFilter(QLineEdit* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_box;
};

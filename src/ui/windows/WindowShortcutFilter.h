#pragma once
// Lets the shortcuts of a window's own actions pass a text box of that window, so that they work wherever the
// focus is.
//
// A line edit claims every key it has a meaning for, Ctrl+C whether or not it has anything to copy and, under
// X11, Ctrl+E as the end of the line. Only Ctrl+C with text selected stays the box's.

#include <QObject>

class QLineEdit;

class WindowShortcutFilter final : public QObject {
public:
    // Watches box for as long as it lives.
    explicit WindowShortcutFilter(QLineEdit* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_box;
};

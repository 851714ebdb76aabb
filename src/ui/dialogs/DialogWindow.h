#pragma once
// What the six dialogs share: a modeless window without an owner, its client area and controls laid out in twips.

#include <QDialog>
#include <QImage>
#include <QString>

#include <initializer_list>

class PictureBox;
class QLabel;
class QPushButton;

class DialogWindow : public QDialog {
    Q_OBJECT

public:
    // Sizable unless fixed; closing it through its frame destroys it, its button only hides it.
    DialogWindow(const QString& caption, int widthTwips, int heightTwips, bool fixedSize = false);

protected:
    // Esc hides the dialog as its button does; only a close through the frame destroys it.
    void reject() override;

    // Controls placed at left, top, width and height in twips, named for screen readers by their texts.
    QLabel* addLabel(const char* name, const QString& text, int left, int top, int width, int height);
    // The dialog's one button, which Enter presses.
    QPushButton* addButton(const char* name, const QString& text, int left, int top, int width, int height);
    // shows says what the image is, for screen readers.
    PictureBox* addPictureBox(
        const char* name, const QString& shows, const QImage& image, int left, int top, int width, int height);

    // The keyboard order of the controls, first to last.
    void setTabChain(std::initializer_list<QWidget*> controls);
};

#pragma once
// What the Export Picture and Export Animation dialogs share: the file, whose suffix gives the format, with Browse;
// the scale, the frame, the edges and the background; Export and Cancel. A file that exists is replaced only after
// Yes, and its folder is remembered.

#include <QDialog>
#include <QString>

#include <optional>
#include <vector>

class QCheckBox;
class QFormLayout;
class QLineEdit;
class QPushButton;
class QSpinBox;

class FileExportDialog : public QDialog {
    Q_OBJECT

public:
    // A format the dialog writes: its file dialog's filter ("PNG image (*.png)") and its suffix ("png").
    struct FileFormat {
        QString filter;
        QString suffix;
    };

    struct Choices {
        int scale = 1;
        bool wholeTree = false;
        bool smooth = true;
        bool transparent = false;
    };

    QLineEdit* txtFile;
    QPushButton* btnBrowse;
    QSpinBox* spnScale;
    QCheckBox* cbxWholeTree;
    QCheckBox* cbxSmooth;
    QCheckBox* cbxTransparent;
    QPushButton* btnExport;
    QPushButton* btnCancel;

    void btnBrowse_Click();
    void btnExport_Click();

protected:
    // title names the dialog and its messages; fileName fills the file box; formats are in the order of their
    // indexes; folderName is the one the folder of the file exported is remembered by.
    FileExportDialog(QWidget* parent, const QString& title, const QString& fileName, int maxScale,
        const Choices& choices, std::vector<FileFormat> formats, QString folderName);

    // A row of a caption and a field after the scale's, and after it in the keyboard's order.
    void addFieldAfterScale(const QString& caption, QWidget* field);

    // Keeps the choices made for the next export.
    virtual void keepChoices() = 0;
    // Error 7 when what format (an index of the formats) would write is too big: before the user is asked anything.
    virtual void checkSize(int format) = 0;
    virtual void write(int format, const QString& fileName) = 0;

private:
    // The index of the format whose suffix fileName has, in any letter case.
    std::optional<int> formatOf(const QString& fileName) const;
    void refuseSuffix(const QString& fileName);
    void askToReplace(int format, const QString& fileName);

    std::vector<FileFormat> m_formats;
    QString m_folderName;
    QFormLayout* m_form;
};

#pragma once
// The Export Picture dialog: a file whose suffix gives the format, the scale, the frame and the edges.

#include "core/export/PictureRender.h"
#include "core/genetics/GeneticCode.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

class ExportDialog final : public QDialog {
    Q_OBJECT

public:
    // Shows the dialog for a picture drawn with flags, window-modal to parent when there is one, and
    // returns at once; the dialog goes when it closes.
    static void Open(QWidget* parent, qint16 id, const GeneticCode& code, Drawing::Flags flags);

    ExportDialog(QWidget* parent, qint16 id, const GeneticCode& code, Drawing::Flags flags);

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

private:
    // Keeps the choices made, and the folder of fileName, for the next export.
    void remember(const QString& fileName) const;
    void refuseSuffix(const QString& fileName);
    void askToReplace(Drawing::Format format, const QString& fileName, const Drawing::RenderOptions& options);
    void write(Drawing::Format format, const QString& fileName, const Drawing::RenderOptions& options);
    QString title() const;

    qint16 m_id;
    GeneticCode m_code;
    Drawing::Flags m_flags;
};

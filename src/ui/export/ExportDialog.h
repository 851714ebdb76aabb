#pragma once
// The Export Picture dialog: a file whose suffix gives the format (.png, .svg or .pdf), the scale, the frame and
// the edges.

#include "core/export/PictureRender.h"
#include "core/genetics/GeneticCode.h"
#include "ui/export/FileExportDialog.h"

class ExportDialog final : public FileExportDialog {
    Q_OBJECT

public:
    // Shows the dialog for a picture drawn with flags, window-modal to parent when there is one, and
    // returns at once; the dialog goes when it closes.
    static void Open(QWidget* parent, qint16 id, const GeneticCode& code, Drawing::Flags flags);

    ExportDialog(QWidget* parent, qint16 id, const GeneticCode& code, Drawing::Flags flags);

private:
    void keepChoices() override;
    void checkSize(int format) override;
    void write(int format, const QString& fileName) override;

    qint16 m_id;
    GeneticCode m_code;
    Drawing::Flags m_flags;
};

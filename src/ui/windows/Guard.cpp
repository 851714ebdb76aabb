#include "ui/windows/Guard.h"

#include <QMessageBox>

namespace Guard {

void ShowError(QWidget* parent, const QString& text)
{
    // Owned by its parent, or by itself when it has none: WA_DeleteOnClose ends it either way.
    auto* box = new QMessageBox(QMessageBox::Critical, QStringLiteral("Vantrell"), text, QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("RuntimeErrorBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
}

QString UnexpectedErrorText(const QString& detail)
{
    const QString text = QStringLiteral("An unexpected error stopped this operation.");
    return detail.isEmpty() ? text : text + QLatin1Char(' ') + detail;
}

} // namespace Guard

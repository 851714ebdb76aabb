#pragma once
// A header whose sections show the colour their model gives as decoration as a swatch beside the caption.

#include <QColor>
#include <QHeaderView>

#include <optional>

class SwatchHeader final : public QHeaderView {
    Q_OBJECT

public:
    explicit SwatchHeader(Qt::Orientation orientation, QWidget* parent = nullptr);

protected:
    void initStyleOptionForIndex(QStyleOptionHeader* option, int logicalIndex) const override;
    // Room for the swatch beside the caption.
    QSize sectionSizeFromContents(int logicalIndex) const override;

private:
    std::optional<QColor> swatchColour(int logicalIndex) const;
    int swatchSide() const;
};

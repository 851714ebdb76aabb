#pragma once
// One button of the Breed window's gene strip: the gene's number on its colour, and a lock while it is frozen.

#include <QAbstractButton>
#include <QColor>

#include <optional>

class GeneButton final : public QAbstractButton {
    Q_OBJECT

public:
    GeneButton(int gene, QWidget* parent = nullptr);

    // The colour of this gene in the first parent; none for a generation without parents.
    void setColour(std::optional<QColor> colour);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<QColor> m_colour;
};

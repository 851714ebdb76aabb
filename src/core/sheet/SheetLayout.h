#pragma once
// Where each picture and its name go on a contact sheet, in device pixels.

#include <QList>
#include <QRect>
#include <QSize>

class SheetLayout {
public:
    // At scale 1; everything grows with the scale, as the pictures do.
    static constexpr int Margin = 8;
    static constexpr int Gap = 8;
    static constexpr int LabelHeight = 16;
    static constexpr int LabelFontPixels = 11;

    // Pictures of these sizes, at scale, in rows of columns (0: about as many rows as columns).
    SheetLayout(const QList<QSize>& pictures, int columns, int scale);

    QSize size() const { return m_size; }
    int columns() const { return m_columns; }
    int scale() const { return m_scale; }
    // The picture's place: centred across its cell, standing on its name.
    QRect picture(int index) const;
    // The band under the cell for the file name.
    QRect label(int index) const;

private:
    QRect cell(int index) const;

    QList<QSize> m_pictures;
    int m_scale;
    int m_columns;
    QSize m_cell;
    QSize m_size;
};

#pragma once
// Makes the SVG that QSvgGenerator writes compact without changing what it shows.
//
// The generator opens a group restating every attribute of the painter's state at each change of pen,
// which for a tree whose pen changes at nearly every segment is four times the size of the lines
// themselves. Here a group's attributes move onto its one shape, attributes that restate what is
// inherited go, and the values most shapes of a group share are said once on the group.

#include <QByteArray>

namespace SvgCompactor {

// The same drawing; a document that does not read as XML is given back unchanged.
QByteArray compact(const QByteArray& svg);

} // namespace SvgCompactor

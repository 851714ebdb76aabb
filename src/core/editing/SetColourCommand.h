#pragma once
// Sets a gene's red, green and blue as one change, as a colour dialog chooses them.

#include "core/editing/CodeCommand.h"

#include <QColor>

class SetColourCommand final : public CodeCommand {
public:
    SetColourCommand(GeneEdits& edits, int gene, const QColor& colour);
};

#include "core/editing/RevertCommand.h"

#include "core/editing/GeneEdits.h"

RevertCommand::RevertCommand(GeneEdits& edits)
    : CodeCommand(edits, edits.original(), QStringLiteral("Revert"))
{
}

#pragma once
// Returns the edited code to the picture's own in one step.

#include "core/editing/CodeCommand.h"

class RevertCommand final : public CodeCommand {
public:
    explicit RevertCommand(GeneEdits& edits);
};

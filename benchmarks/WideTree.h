#pragma once
// The genetic code both drawing benchmarks draw: a full tree of wide pens.

class clsGenSeq;

// Nothing done, widths 16 down to 8, and lengths whose sum (3150 twips) keeps every end point
// far inside the 16-bit range.
void fillWideTree(clsGenSeq& code);

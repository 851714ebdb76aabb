#pragma once
// The mutation test shared by breeding and the file reader.

namespace Mutation {

// True when rate, taken in single precision, is strictly greater than r. Error 6 when the rate lies
// beyond the single-precision range.
bool mutates(double rate, float r);

} // namespace Mutation

#ifndef COBOUNDS_H
#define COBOUNDS_H

// A closed range of the host's shared types: lower bound first.
template <typename T>
struct coBounds
{
    T lower;
    T upper;
};

#endif // COBOUNDS_H

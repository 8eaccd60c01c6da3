#ifndef COBOUNDS_H
#define COBOUNDS_H

//! A closed range of the host's shared types: lower bound first.
template <typename T>
struct coBounds
{
    T lower; //!< The smaller end, part of the range.
    T upper; //!< The larger end, part of the range.
};

#endif // COBOUNDS_H

#ifndef COCOORDS3D_H
#define COCOORDS3D_H

//! A point or vector of the host's geometry, shared with the host by value.
struct coCoords3d
{
    //! The components, all in one unit that the host chooses; qzUnitLength::convert() converts
    //! the three together.
    //! @{
    double x, y, z;
    //! @}
};

#endif // COCOORDS3D_H

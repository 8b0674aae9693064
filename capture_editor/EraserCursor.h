#pragma once

#include <QCursor>
#include <QString>

// The eraser's cursors "C1", "C2" and "C3": outlines of the eraser at the
// widths of "Larger", "Medium" and "Small", drawn here rather than loaded,
// so they always match the widths they stand for.
namespace EraserCursor {

// The outline's diameter in pixels for a cursor name; 0 for an unknown name.
int Diameter(const QString& name);

// A circle of that diameter, dark inside a light ring so it shows on any
// picture, with its hot spot at the centre.
QCursor Make(const QString& name);

// The same outline at any diameter, for the eraser's width before a size
// is chosen, which none of the three names stands for.
QCursor Make(int diameter);

}  // namespace EraserCursor

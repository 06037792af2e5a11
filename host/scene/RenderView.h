#pragma once
// What a renderer tells an object about the view it renders.

#include "host/math/Matrix3.h"

class View {
public:
    Matrix3 worldToView;
    int screenW = 640;
    int screenH = 480;
};

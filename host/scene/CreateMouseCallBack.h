#pragma once
// How an object places itself while the artist creates it with the mouse:
// the create panel sends it the mouse's messages until it says it is done.

#include "host/math/IPoint2.h"
#include "host/math/Matrix3.h"

class ViewExp;

// Mouse messages during creation.
constexpr int MOUSE_ABORT = 0;  // the artist cancelled (right click, Escape)
constexpr int MOUSE_POINT = 1;  // a button went down or up
constexpr int MOUSE_MOVE = 2;   // the mouse moved between two of those

// Answers of CreateMouseCallBack::proc.
constexpr int CREATE_STOP = 0;      // the object is complete
constexpr int CREATE_CONTINUE = 1;  // more messages, please
constexpr int CREATE_ABORT = -1;    // throw the object away

class CreateMouseCallBack {
public:
    virtual ~CreateMouseCallBack() = default;
    // msg at the window pixel m; point counts the MOUSE_POINT messages sent
    // before this one. mat is where the new node goes (its transform in
    // world space, the construction plane's); the object moves it.
    virtual int proc(ViewExp* vpt, int msg, int point, int flags, IPoint2 m, Matrix3& mat) = 0;
};

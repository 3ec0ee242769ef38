#pragma once
// A splay list with its first angles set, the rest 0.

#include <initializer_list>

#include "model/hardware/splay.h"

inline TSplay SplayOf(std::initializer_list<double> angles) {
    TSplay s;
    int i = 0;
    for (double a : angles) s.Angle[i++] = a;
    return s;
}

#pragma once
// Shared set-up of the drawing tests: a venue with an array of a given type
// set up for given counts, without the rig evaluation.

#include <string>
#include <vector>

#include "platform/core/recording_canvas.h"
#include "venue/model/venue.h"

namespace drawtest {

// The venue's array of ArrayType set up for the counts in rig mode RigMode,
// working on the caller's splay list.
inline void SetUpVenue(TVenue& v, TSplay& splay, const std::string& ArrayType, int n1, int n2,
                       int n3, int RigMode) {
    v.SetArrayType(ArrayType);
    v.NumBoxes1 = n1;
    v.NumBoxes2 = n2;
    v.NumBoxes3 = n3;
    v.RigMode = RigMode;
    v.Splay = &splay;
    v.LSArray->SetRigMode(RigMode);
    v.LSArray->SetUp(splay, n1, n2, n3, 10.0, 100.0);
}

// Every coordinate of every recorded operation lies within +-limit.
inline bool AllWithin(const rtl::RecordingCanvas& c, long long limit) {
    auto ok = [&](long long v) { return v >= -limit && v <= limit; };
    for (const rtl::CanvasOp& op : c.Ops()) {
        if (!ok(op.rect.left) || !ok(op.rect.top) || !ok(op.rect.right) || !ok(op.rect.bottom))
            return false;
        for (const rtl::Point& p : op.points)
            if (!ok(p.x) || !ok(p.y)) return false;
    }
    return true;
}

// The corners of what `op` draws: a text's cell, the points of a line,
// polygon or fill seed, else its rectangle.
inline std::vector<rtl::Point> Corners(const rtl::CanvasOp& op) {
    using K = rtl::OpKind;
    if (op.kind == K::TextOut)
        return {op.points[0], {op.points[0].x + op.textWidth, op.points[0].y + op.textHeight}};
    if (op.kind == K::MoveTo || op.kind == K::LineTo || op.kind == K::Polyline ||
        op.kind == K::Polygon || op.kind == K::FloodFill)
        return op.points;
    return {{op.rect.left, op.rect.top}, {op.rect.right, op.rect.bottom}};
}

}  // namespace drawtest

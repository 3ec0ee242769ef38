#!/usr/bin/env python3
"""Independent re-derivation of the rigging statics for the array rig tests.

Re-implements, from the written rules only, the element-type data of the
element codes the tests use, the chaining of the hung column, the link-force
calculation, centres of gravity, pick loads, the safety level and the
lift-bar hole angles, then prints the figures that rig_evaluation_test.cpp
checks.  Run:  python3 rig_statics.py
"""
import math

# code: (points 1..5 as (x, y), mass, front pt, rear pt, hang pt, carry pt,
#        lift-bar flag, holes, front strength, rear strength)
KN = 1000.0 / 9.8
T = {
    0: ([(0, 0), (-0.7048, -0.0441), (-0.7048, -0.3633), (0, -0.4927), (-0.352, -0.25)],
        127, 1, 2, 1, 4, 2, 0, 83.7 * KN, 117 * KN),
    2: ([(0, 0), (-0.0549, 0.1276), (-0.9989, 0.1276), (-0.71, 0), (-0.5024, -0.0376)],
        95, 2, 3, 2, 1, 2, 0, 17250, 17250),
    4: ([(0, 0), (-0.515, -0.0296), (-0.5105, -0.2921), (0, -0.37), (-0.252, -0.2)],
        58, 1, 2, 1, 4, 2, 0, 77.8 * KN, 75.5 * KN),
    7: ([(0, 0), (-0.11, 0.039), (-0.76, 0.039), (-0.5105, 0), (-0.38, 0.024)],
        45, 2, 3, 2, 1, 2, 0, 8625, 8625),
    13: ([(0, 0), (0, 0.111), (-0.8932, 0.111), (-0.65, 0), (-0.4465, 0.086)],
         12, 2, 3, 2, 1, 1, 23, 8625, 8625),
    15: ([(0.0019, -0.0039), (0, 0), (-0.705, 0), (-0.53, -0.0115), (-0.423, 0)],
         30, 2, 3, 2, 1, 2, 0, 38.9 * KN, 37.75 * KN),
    16: ([(0, 0), (-0.37, -0.0182), (-0.37, -0.1832), (0, -0.245), (-0.185, -0.12)],
         29, 2, 1, 1, 4, 2, 0, 60 * KN, 60 * KN),
    17: ([(0, 0), (-0.09, 0.0235), (-0.5655, 0.0235), (-0.37, 0), (-0.28, 0.024)],
         21, 2, 3, 2, 1, 2, 0, 4312, 4312),
    32: ([(0, 0), (-0.555, -0.001), (-0.555, -0.565), (0, -0.626), (-0.47, -0.293)],
         87, 2, 1, 1, 4, 2, 0, 60 * KN, 60 * KN),
}


def rot(p, ang, dx, dy):
    r = ang * math.pi / 180
    return (p[0] * math.cos(r) - p[1] * math.sin(r) + dx,
            p[0] * math.sin(r) + p[1] * math.cos(r) + dy)


class Column:
    def __init__(self, elems, target):
        """elems: [(code, angle)], top first; angle of the first is ignored."""
        self.e = []
        run = 0.0
        for i, (code, ang) in enumerate(elems):
            pts, m, fp, rp, hp, cp, flag, holes, fs, rs = T[code]
            a = 0.0 if i == 0 else ang
            run += a
            self.e.append(dict(code=code, pts=list(pts), m=m, fp=fp, rp=rp, hp=hp, cp=cp,
                               flag=flag, holes=holes, fs=fs, rs=rs, run=run,
                               L=pts[fp - 1][0] - pts[rp - 1][0], fsf=0.0, rsf=0.0))
        self.target = target
        self.solve()

    def mass(self, frm=0):
        return sum(x['m'] for x in self.e[frm:])

    def cog(self, frm=0):
        m = self.mass(frm)
        return (sum(x['m'] * x['pts'][4][0] for x in self.e[frm:]) / m,
                sum(x['m'] * x['pts'][4][1] for x in self.e[frm:]) / m)

    def force(self, i, store=True):
        el = self.e[i]
        a = el['pts'][el['fp'] - 1]
        g = self.cog(i)
        arm = abs(g[0] - a[0])
        m = self.mass(i)
        f = m * arm / el['L']
        th = math.radians(el['run'] + 90)
        fx = f - m * math.sin(th)
        fy = m * math.cos(th)
        front = 0.6 * math.hypot(fx, fy)
        rear = 0.6 * f
        fsf, rsf = el['fs'] / abs(front), el['rs'] / abs(rear)
        if store:
            el['fsf'], el['rsf'] = fsf, rsf
        return front, rear

    def weakest(self):
        wf = wr = 0
        mf = mr = 1.0e12
        for i, el in enumerate(self.e):
            if abs(el['fsf']) < abs(mf):
                mf, wf = el['fsf'], i + 1
            if abs(el['rsf']) < abs(mr):
                mr, wr = el['rsf'], i + 1
        self.weak = (wf, wr)
        return mf, mr

    def solve(self):
        shift = 0.0
        for b in range(1, len(self.e)):
            up, el = self.e[b - 1], self.e[b]
            c = up['pts'][up['cp'] - 1]
            h = el['pts'][el['hp'] - 1]
            dx, dy = c[0] - h[0], c[1] - h[1]
            shift = max(shift, dx)
            el['pts'] = [rot(p, el['run'], dx, dy) for p in el['pts']]
        for el in self.e:
            el['pts'] = [rot(p, 0, -shift, 0) for p in el['pts']]
        for i in range(len(self.e)):
            self.force(i)
        self.weakest()
        self.zcog = self.cog()
        self.hole_angles()
        for el in self.e:
            el['pts'] = [rot(p, self.target, 0, 0) for p in el['pts']]
        self.COG = self.cog()

    def hole_angles(self):
        top = self.e[0]
        n = top['holes']
        self.angles = [0.0] * 30
        if n <= 0:
            return
        p2, p3 = top['pts'][1], top['pts'][2]
        pitch = (p2[0] - p3[0]) / (n - 1)
        a = []
        for j in range(n):
            u = p2[0] - self.zcog[0] - j * pitch
            v = self.zcog[1] - p2[1]
            a.append(-math.degrees(math.atan(u / v)))
        if top['code'] in (13, 21):
            self.angles[:n] = a
        elif top['code'] in (11, 19):
            self.angles[:n] = a[::-1]

    def best_hole(self):
        best, hole = 10000.0, 0
        for j in range(self.e[0]['holes']):
            d = abs(self.angles[j] - self.target)
            if d < best:
                best, hole = d, j + 1
        return -1 if best > 2.5 else hole

    def pick(self):
        t = self.e[0]
        da = t['pts'][t['fp'] - 1][0] - self.COG[0]
        db = self.COG[0] - t['pts'][t['rp'] - 1][0]
        m = self.mass()
        rear = m * da / (da + db)
        return m - rear, rear

    def level(self):
        for i in range(len(self.e)):
            self.force(i)
        sf, sr = self.weakest()
        m = min(sf, sr)
        lv = 2 if m < 5 else (1 if m < 7 else 0)
        f, r = self.pick()
        if f < 0 or r < 0:
            lv = 2
        if self.e[0]['flag'] == 1 and self.best_hole() < 0:
            lv = 2
        return lv

    def rig_results(self):
        """The eight figures as the rigging panel reads them after the level."""
        f, r = self.pick()
        top = self.e[0]
        wf, wr = self.weak
        ff, _ = self.force(wf - 1)
        ffs = self.e[wf - 1]['fsf']
        _, rr = self.force(wr - 1)
        rrs = self.e[wr - 1]['rsf']
        return (f, top['fsf'], r, top['rsf'], ff, ffs, rr, rrs)


def report(name, elems, target):
    c = Column(elems, target)
    f, r = c.pick()
    print(f"{name}: mass {c.mass():.10g} cogx {c.COG[0]:.12g} cogy {c.COG[1]:.12g}")
    print(f"  pick front {f:.12g} rear {r:.12g} besthole {c.best_hole()}")
    if c.best_hole() > 0:
        print(f"  hole angle {c.angles[c.best_hole() - 1]:.12g}")
    fe = []
    for i in range(len(c.e)):
        fe.append(c.force(i, store=False))
    print("  element 2 forces (front, rear) before level:", f"{fe[1][0]:.12g} {fe[1][1]:.12g}")
    print(f"  level {c.level()} weak {c.weak}")
    print("  results", " ".join(f"{v:.12g}" for v in c.rig_results()))


# Full-size: grid (primary holes) over three Arvo; splays S = 2, 1, 3.
report("arvo", [(2, 0), (0, 0), (0, -1), (0, -3)], -2)
# Compact, grid picked front and rear: the worked column of three Bexa.
report("bexa", [(7, 0), (4, 0), (4, -3), (4, -5)], -2)
# Compact on the rear-overhanging lift bar, one-point lift.
report("bexa-liftbar", [(13, 0), (7, 0), (4, 0), (4, -3), (4, -5)], -2)
# Mini: grid over three Dovi.
report("dovi", [(17, 0), (16, 0), (16, -3), (16, -5)], -2)
# Mix: two Arvo, the junction, two Bexa; S = 1, 2, 4, 6.
report("arvo-bexa", [(2, 0), (0, 0), (0, -2), (15, -4), (4, 0), (4, -6)], -1)
# Ground stack of three Arvo, splays S = 1, 2, 3: tilts 0, 1, 3; target -T0 = 0.
report("arvo-stack", [(0, 0), (0, -1), (0, -2)], 0)
# Ground stack of two Ivor under two Dovi, S = (0, 0,) 4, 6: Dovi tilts 2, 6;
# the subwoofers level again; target minus the top Dovi's tilt.
report("ivor-dovi-stack", [(16, 0), (16, -4), (32, 6), (32, 0)], -2)

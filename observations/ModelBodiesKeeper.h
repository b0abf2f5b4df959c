#pragma once
// ModelBodiesKeeper: the model's bodies kept for the length of a scope and
// put back at its end. The theories overwrite the shared positions,
// velocities, masses, elements and date of the bodies they evaluate; the
// observation windows evaluate them for their own use (a reduction epoch,
// a plan template), and the initial data of the start-up window and a
// model run waiting on the model window must find their values as they
// left them.
#include <cstdint>

#include "core/state/SharedState.h"

class ModelBodiesKeeper {
 public:
  ModelBodiesKeeper()
      : x_(Main.X), y_(Main.Y), z_(Main.Z), vx_(Main.VX), vy_(Main.VY), vz_(Main.VZ), x0_(Main.X0), y0_(Main.Y0),
        z0_(Main.Z0), mass_(Main.Mass), massRatio_(Main.MassRatio), alfaL_(Main.AlfaL), alfaP_(Main.AlfaP),
        alfaU_(Main.AlfaU), betta_(Main.Betta), eks_(Main.Eks), rsr_(Main.Rsr), wsr_(Main.Wsr),
        meanAnomaly_(Main.MeanAnomaly), jd_(Main.JD), kodMoon_(Main.kodMoon), kodBary_(Main.kodBary) {}
  ~ModelBodiesKeeper() {
    Main.X = x_;
    Main.Y = y_;
    Main.Z = z_;
    Main.VX = vx_;
    Main.VY = vy_;
    Main.VZ = vz_;
    Main.X0 = x0_;
    Main.Y0 = y0_;
    Main.Z0 = z0_;
    Main.Mass = mass_;
    Main.MassRatio = massRatio_;
    Main.AlfaL = alfaL_;
    Main.AlfaP = alfaP_;
    Main.AlfaU = alfaU_;
    Main.Betta = betta_;
    Main.Eks = eks_;
    Main.Rsr = rsr_;
    Main.Wsr = wsr_;
    Main.MeanAnomaly = meanAnomaly_;
    Main.JD = jd_;
    Main.kodMoon = kodMoon_;
    Main.kodBary = kodBary_;
  }
  ModelBodiesKeeper(const ModelBodiesKeeper&) = delete;
  ModelBodiesKeeper& operator=(const ModelBodiesKeeper&) = delete;

 private:
  decltype(Main.X) x_;
  decltype(Main.Y) y_;
  decltype(Main.Z) z_;
  decltype(Main.VX) vx_;
  decltype(Main.VY) vy_;
  decltype(Main.VZ) vz_;
  decltype(Main.X0) x0_;
  decltype(Main.Y0) y0_;
  decltype(Main.Z0) z0_;
  decltype(Main.Mass) mass_;
  decltype(Main.MassRatio) massRatio_;
  decltype(Main.AlfaL) alfaL_;
  decltype(Main.AlfaP) alfaP_;
  decltype(Main.AlfaU) alfaU_;
  decltype(Main.Betta) betta_;
  decltype(Main.Eks) eks_;
  decltype(Main.Rsr) rsr_;
  decltype(Main.Wsr) wsr_;
  decltype(Main.MeanAnomaly) meanAnomaly_;
  double jd_;
  int16_t kodMoon_, kodBary_;
};


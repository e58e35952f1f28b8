// The sorceress posed for the desktop icon, as plain pixels (the icon is painted with the 2D tools).
#include "creatures/icon_figure.h"
#include "creatures/creature_defs.h"
#include "creatures/renderer.h"

FigurePixels render_icon_figure(float ppu)
{
    Scene scene;
    Pose pose;
    pose.act = Act::Idle;
    pose.count = 5;
    pose.frame = 4;
    build_goddess(scene, pose);
    RenderView view;
    view.ppu = ppu;
    view.yaw = direction_yaw('3');
    view.tilt = 0.25f;
    view.shadow = false;
    RgbFrame f = render_scene(scene, view);
    return FigurePixels{f.w, f.h, std::move(f.rgb), std::move(f.solid)};
}

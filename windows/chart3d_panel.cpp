#include "windows/chart3d_panel.h"

#include <array>
#include <span>

#include "chart3d/chart3d.h"
#include "platform/ui/bitmaps.h"
#include "platform/ui/user_interface.h"
#include "windows/build_rules.h"
#include "windows/chart3d_pictures.h"
#include "windows/logo_picture.h"

int CHART3D_CANVAS = 0;
int CHART3D_PHISLIDE = 0;
int CHART3D_LOGO = 0;
int CHART3D_THETASLIDE = 0;
int CHART3D_COPYBUTTON = 0;
int CHART3D_RHOSLIDE = 0;
int CHART3D_RESETBUTTON = 0;
int CHART3D_EDGESCHECKBOX = 0;
int CHART3D_SCALESLIDE = 0;
int CHART3D_CHARTNAME = 0;

namespace {

constexpr PanelGeometry kDesign{198, 76, 619, 537};

constexpr int kTrackColour = 0xCCFF99;
constexpr int kFloat = 3;

// The settings up to the value, the value made the default, then the rest.
int SetValued(int panel, int control, std::span<const Setting> before, AttrValue value,
              std::span<const Setting> after) {
    if (const int r = SetCtrlAttributes(panel, control, before); r < 0) return r;
    const Setting valueSetting[] = {{732, std::move(value)}};
    return SetCtrlAttributesAroundDefault(panel, control, valueSetting, after);
}

// The canvas's first picture goes into its drawing, so that a copy of the canvas holds it.
int DrawCanvasPicture(int panel, int control, const char* bitmapText, int& bitmap) {
    if (const int r = GetUserBitmapFromText(bitmapText, kBitmapTextFormat, &bitmap); r < 0) return r;
    if (bitmap == 0) return 0;
    const Rect whole = MakeRect(0, 0, -1, -1);
    if (const int r = CanvasDrawBitmap(panel, control, bitmap, whole, whole); r < 0) return r;
    if (const int r = DiscardBitmap(bitmap); r < 0) return r;
    bitmap = 0;
    return 0;
}

int BuildCanvas(int panel, int& bitmap) {
    if (const int r = NewNamedCtrl(panel, CHART3D_CANVAS, CTRL_CANVAS, "", 21, 13, "CANVAS", nullptr); r < 0)
        return r;
    const Setting settings[] = {{1020, 0},          {620, 0},         {672, 9},   {673, 15},
                                {674, kFaceColour}, {1291, 0xF2F2FF}, {540, 512}, {533, 512},
                                {671, 0},           {670, 93},        {649, 1}};
    if (const int r = SetCtrlAttributes(panel, CHART3D_CANVAS, settings); r < 0) return r;
    return DrawCanvasPicture(panel, CHART3D_CANVAS, kChartBackgroundBitmapText, bitmap);
}

int BuildLogo(int panel, int& bitmap) {
    if (const int r = NewNamedCtrl(panel, CHART3D_LOGO, CTRL_PICTURE, "", 547, 462, "LOGO", nullptr); r < 0)
        return r;
    const Setting settings[] = {{1020, 0},       {550, kFaceColour}, {620, 0},  {672, 9},  {673, 15},
                                {674, 0xFFFFFF}, {1290, 0},          {1292, 0}, {540, 60}, {533, 60},
                                {671, 523},      {670, 454},         {649, 1}};
    if (const int r = SetCtrlAttributes(panel, CHART3D_LOGO, settings); r < 0) return r;
    return LoadPicture(panel, CHART3D_LOGO, kLogoBitmapText, bitmap);
}

int BuildPhiSlide(int panel) {
    int& s = CHART3D_PHISLIDE;
    if (const int r = NewNamedCtrl(panel, s, CTRL_NUMERIC_FLAT_HSLIDE, "Phi (/a*)", 584, 134, "PHISLIDE",
                                   RotateCallback);
        r < 0)
        return r;
    const Setting before[] = {{1020, 0},  {710, kFloat},       {550, kFaceColour}, {620, 1},    {672, 42},
                              {673, 15},  {674, kTransparent}, {690, 0xFFFFFF},    {730, 90.0}, {731, -90.0},
                              {733, 1.0}, {734, 65520},        {735, 0},           {738, 0}};
    const Setting after[] = {{737, 0},           {972, 75},       {973, 19},  {974, 0},
                             {980, kFaceColour}, {981, 0x7F7F7F}, {982, 2},   {985, kTrackColour},
                             {540, 5},           {533, 100},      {671, 578}, {670, 79},
                             {998, 581},         {992, 12},       {993, 12},  {970, 620},
                             {971, 146},         {649, 1},        {700, 0}};
    return SetValued(panel, s, before, 0.0, after);
}

int BuildThetaSlide(int panel) {
    int& s = CHART3D_THETASLIDE;
    if (const int r = NewNamedCtrl(panel, s, CTRL_NUMERIC_FLAT_HSLIDE, "Theta (/b*)", 566, 134, "THETASLIDE",
                                   RotateCallback);
        r < 0)
        return r;
    // The one angle slide that keeps the default precision.
    const Setting before[] = {{1020, 0},   {710, kFloat}, {550, kFaceColour},  {620, 1},
                              {672, 55},   {673, 15},     {674, kTransparent}, {690, 0xFFFFFF},
                              {730, 90.0}, {731, -90.0},  {733, 1.0},          {734, 65520},
                              {738, 0}};
    const Setting after[] = {
        {737, 0},  {972, 75},  {973, 19},           {974, 0},  {980, kFaceColour}, {981, 0x808080},
        {982, 3},  {983, 3},   {985, kTrackColour}, {540, 5},  {533, 100},         {671, 560},
        {670, 66}, {998, 563}, {992, 12},           {993, 12}, {970, 602},         {971, 146},
        {649, 1},  {700, 0}};
    return SetValued(panel, s, before, 0.0, after);
}

int BuildRhoSlide(int panel) {
    int& s = CHART3D_RHOSLIDE;
    if (const int r = NewNamedCtrl(panel, s, CTRL_NUMERIC_FLAT_HSLIDE, "Rho (/L*)", 546, 134, "RHOSLIDE",
                                   RotateCallback);
        r < 0)
        return r;
    const Setting before[] = {{1020, 0},
                              {710, kFloat},
                              {550, kFaceColour},
                              {620, 1},
                              {672, 47},
                              {673, 15},
                              {674, kTransparent},
                              {682, "Arial Narrow"},
                              {686, 10},
                              {690, 0xFFFFFF},
                              {730, 90.0},
                              {731, -90.0},
                              {733, 1.0},
                              {734, 65520},
                              {735, 0},
                              {738, 0}};
    const Setting after[] = {
        {737, 0},  {972, 22},  {973, 20},           {974, 0},  {980, kFaceColour}, {981, 0x7F7F7F},
        {982, 3},  {983, 3},   {985, kTrackColour}, {540, 5},  {533, 100},         {671, 544},
        {670, 74}, {998, 543}, {992, 12},           {993, 12}, {970, 539},         {971, 233},
        {649, 1},  {700, 32}};
    return SetValued(panel, s, before, 0.0, after);
}

int BuildScaleSlide(int panel) {
    int& s = CHART3D_SCALESLIDE;
    if (const int r =
            NewNamedCtrl(panel, s, CTRL_NUMERIC_VSLIDE, "Scale x", 542, 274, "SCALESLIDE", RotateCallback);
        r < 0)
        return r;
    // The value must stay the chart's own starting scale.
    const Setting before[] = {{1020, 0},  {710, kFloat},   {550, kFaceColour}, {620, 1},
                              {672, 38},  {673, 15},       {674, 0xFFFFFF},    {682, "Arial Narrow"},
                              {686, 10},  {690, 0xFFFFFF}, {730, 6.0},         {731, 1.0},
                              {733, 0.1}, {734, 65520},    {735, 1},           {738, 0}};
    const Setting after[] = {{737, 0},        {972, 24},  {973, 20},           {980, kFaceColour},
                             {981, 0x7F7F7F}, {982, 2},   {985, kTrackColour}, {540, 52},
                             {533, 5},        {671, 560}, {670, 280},          {997, 269},
                             {992, 12},       {993, 12},  {970, 558},          {971, 319},
                             {649, 1},        {700, 16}};
    return SetValued(panel, s, before, 2.5, after);
}

int BuildCopyButton(int panel) {
    int& b = CHART3D_COPYBUTTON;
    if (const int r =
            NewNamedCtrl(panel, b, CTRL_COMMAND_BUTTON, "Copy", 579, 407, "COPYBUTTON", Copy3DCallback);
        r < 0)
        return r;
    const Setting before[] = {{1020, 0x0F00}, {620, 1}};
    const Setting after[] = {{880, kButtonColour}, {540, 23}, {533, 40}};
    return SetValued(panel, b, before, 0, after);
}

int BuildResetButton(int panel) {
    int& b = CHART3D_RESETBUTTON;
    if (const int r =
            NewNamedCtrl(panel, b, CTRL_COMMAND_BUTTON, "reset", 561, 22, "RESETBUTTON", ResetCallback);
        r < 0)
        return r;
    const Setting before[] = {{1020, 0}, {620, 1}};
    const Setting after[] = {{880, kButtonColour}, {881, 2}, {540, 19}, {533, 33}};
    return SetValued(panel, b, before, 0, after);
}

int BuildEdgesCheckBox(int panel) {
    int& b = CHART3D_EDGESCHECKBOX;
    if (const int r =
            NewNamedCtrl(panel, b, CTRL_CHECK_BOX, "Edges", 552, 433, "EDGESCHECKBOX", RotateCallback);
        r < 0)
        return r;
    const Setting before[] = {{1020, 0}, {620, 1}, {672, 33}, {673, 15}, {674, kTransparent}};
    const Setting after[] = {{920, 0xFFFFCC}, {921, 0xFFFFFF}, {540, 13}, {533, 13},
                             {671, 551},      {670, 400},      {649, 1}};
    return SetValued(panel, b, before, 1, after);
}

int BuildChartName(int panel) {
    int& t = CHART3D_CHARTNAME;
    if (const int r = NewNamedCtrl(panel, t, CTRL_TEXT_MSG, "", 19, 193, "CHARTNAME", nullptr); r < 0)
        return r;
    const Setting before[] = {{1020, 0}, {620, 0},           {680, 0x0000B9}, {682, "Arial Black"},
                              {686, 16}, {690, kTransparent}};
    const Setting after[] = {{540, 25}, {533, 321}, {861, 0}, {700, 16}};
    return SetValued(panel, t, before, "Text Message", after);
}

int SetOrders(int panel) {
    // Front to back: the chart's name stands over the canvas.
    const std::array<int, 10> frontToBack{CHART3D_CHARTNAME,     CHART3D_SCALESLIDE, CHART3D_LOGO,
                                          CHART3D_EDGESCHECKBOX, CHART3D_COPYBUTTON, CHART3D_RESETBUTTON,
                                          CHART3D_PHISLIDE,      CHART3D_THETASLIDE, CHART3D_RHOSLIDE,
                                          CHART3D_CANVAS};
    const std::array<int, 2> firstTabStops{CHART3D_CANVAS, CHART3D_PHISLIDE};
    return SetCtrlOrders(panel, frontToBack, firstTabStops);
}

// The chart finds its canvas, slides and check box by number, so this order is fixed.
int BuildControls(int panel, int& bitmap) {
    if (const int r = BuildCanvas(panel, bitmap); r < 0) return r;
    if (const int r = BuildPhiSlide(panel); r < 0) return r;
    if (const int r = BuildLogo(panel, bitmap); r < 0) return r;
    if (const int r = BuildThetaSlide(panel); r < 0) return r;
    if (const int r = BuildCopyButton(panel); r < 0) return r;
    if (const int r = BuildRhoSlide(panel); r < 0) return r;
    if (const int r = BuildResetButton(panel); r < 0) return r;
    if (const int r = BuildEdgesCheckBox(panel); r < 0) return r;
    if (const int r = BuildScaleSlide(panel); r < 0) return r;
    if (const int r = BuildChartName(panel); r < 0) return r;
    return SetOrders(panel);
}

}  // namespace

int BuildCHART3D(int hParent) {
    const Setting childFrame[] = {{576, kFaceColour}};
    const Setting rest[] = {{580, 0}, {600, 0}, {619, 0}, {621, 0}};
    const Setting topLevelOnly[] = {{615, 1}};
    return BuildWindow(hParent, {"CHART3D", kDesign, kFaceColour, childFrame, rest, topLevelOnly},
                       BuildControls);
}

#pragma once

// The shell's state: variables of static storage that live for the whole run. The 3D chart,
// the report and the menu callbacks read them directly; only the shell writes them.
#include <cstdint>

#include "colour/color_triple.h"
#include "colour/ral_design.h"

// One hue page: a grid of 12 chroma columns by 8 lightness rows referring to entries of the
// built-in table (never owned); an empty cell is null.
struct HuePage {
    std::int16_t hue;
    const RalDesignColor* cells[12][8];
    std::int16_t rowCount[8];
    std::int16_t nbColumns;
    std::int16_t minChroma;
    std::int16_t maxChroma;
    std::int16_t chromaStep;
};

// Program-wide.
extern int chart3dPanel;
extern ColorTriple whiteRef;
extern char prog[256];
extern char title[128];
extern const char* chartName;
extern int backgroundBitmap;
extern int colorSpace;
extern int actualIndex;
extern int nbHues;
extern HuePage* chartOrg;

// The shell's own; declared here so that its modules and tests share one definition.
extern int mainPanel;
extern int cielabPanel;
extern int menuBar;
extern int selectedHue;
extern int selectedLightness;
extern int selectedChroma;
extern int tableBgColor;
extern int tableTextColor;
extern int tableGridColor;

#include "shell_state/shell_state.h"

int chart3dPanel = 0;
ColorTriple whiteRef{0.0f, 0.0f, 0.0f};
char prog[256] = "";
char title[128] = "";
const char* chartName = "Ostrel Color\u00a9 System";
int backgroundBitmap = 0;
int colorSpace = 10;
int actualIndex = 0;
int nbHues = 0;
HuePage* chartOrg = nullptr;

int mainPanel = 0;
int cielabPanel = 0;
int menuBar = 0;
int selectedHue = 0;
int selectedLightness = 0;
int selectedChroma = 0;
int tableBgColor = 0xFFFFFF;
int tableTextColor = 0x808080;
int tableGridColor = 0xF0F0F0;

#pragma once

// Numbers of the user-interface layer: events, control styles, attributes, system values
// and error codes. Callers may pass the plain numbers; these names are for readability.

// Events given to control and panel callbacks.
constexpr int EVENT_NONE = 0;
constexpr int EVENT_COMMIT = 1;
constexpr int EVENT_VAL_CHANGED = 2;
constexpr int EVENT_LEFT_CLICK = 3;
constexpr int EVENT_CLOSE = 12;

// Control styles (second argument of NewCtrl).
constexpr int CTRL_NUMERIC = 100;
constexpr int CTRL_NUMERIC_HSLIDE = 110;
constexpr int CTRL_NUMERIC_VSLIDE = 113;
constexpr int CTRL_NUMERIC_FLAT_HSLIDE = 114;
constexpr int CTRL_COLOR_NUMERIC = 131;
constexpr int CTRL_STRING = 151;
constexpr int CTRL_TEXT_MSG = 160;
constexpr int CTRL_COMMAND_BUTTON = 205;
constexpr int CTRL_CHECK_BOX = 226;
constexpr int CTRL_BINARY_SWITCH = 289;
constexpr int CTRL_RING = 300;
constexpr int CTRL_GRAPH = 441;
constexpr int CTRL_PICTURE = 480;
constexpr int CTRL_CANVAS = 500;
constexpr int CTRL_TABLE = 510;

// Attributes of panels, controls, table rows, columns and cells, and menu entries.
constexpr int ATTR_DIMMED = 500;
constexpr int ATTR_CONSTANT_NAME = 501;
constexpr int ATTR_CALLBACK_FUNCTION_POINTER = 513;
constexpr int ATTR_CALLBACK_DATA = 514;
constexpr int ATTR_VISIBLE = 530;
constexpr int ATTR_LEFT = 531;
constexpr int ATTR_TOP = 532;
constexpr int ATTR_WIDTH = 533;
constexpr int ATTR_HEIGHT = 540;
constexpr int ATTR_FRAME_COLOR = 550;
constexpr int ATTR_BACKCOLOR = 552;        // a control's background; on a panel its frame area
constexpr int ATTR_PANEL_BACKCOLOR = 570;  // the panel's client area
constexpr int ATTR_SCALE_CONTENTS_ON_RESIZE = 618;
constexpr int ATTR_ZPLANE_POSITION = 610;     // 0 front-most
constexpr int ATTR_TAB_ORDER_POSITION = 612;  // 0 first
constexpr int ATTR_CTRL_MODE = 620;
constexpr int ATTR_LABEL_COLOR = 640;
constexpr int ATTR_LABEL_TEXT = 641;
constexpr int ATTR_LABEL_FONT = 642;
constexpr int ATTR_LABEL_UNDERLINE = 644;
constexpr int ATTR_LABEL_POINT_SIZE = 646;
constexpr int ATTR_LABEL_BOLD = 647;
constexpr int ATTR_LABEL_SIZE_TO_TEXT = 649;
constexpr int ATTR_LABEL_LEFT = 670;
constexpr int ATTR_LABEL_TOP = 671;
constexpr int ATTR_LABEL_WIDTH = 672;
constexpr int ATTR_LABEL_HEIGHT = 673;
constexpr int ATTR_LABEL_BGCOLOR = 674;
constexpr int ATTR_TEXT_COLOR = 680;
constexpr int ATTR_TEXT_FONT = 682;
constexpr int ATTR_TEXT_BOLD = 683;
constexpr int ATTR_TEXT_ITALIC = 684;
constexpr int ATTR_TEXT_UNDERLINE = 685;
constexpr int ATTR_TEXT_POINT_SIZE = 686;
constexpr int ATTR_TEXT_STRIKEOUT = 687;
constexpr int ATTR_TEXT_BGCOLOR = 690;
constexpr int ATTR_TEXT_JUSTIFY = 700;
constexpr int ATTR_DATA_TYPE = 710;
constexpr int ATTR_MAX_VALUE = 730;
constexpr int ATTR_MIN_VALUE = 731;
constexpr int ATTR_DFLT_VALUE = 732;
constexpr int ATTR_INCR_VALUE = 733;
constexpr int ATTR_PRECISION = 735;
constexpr int ATTR_MAX_ENTRY_LENGTH = 760;
constexpr int ATTR_CMD_BUTTON_COLOR = 880;
constexpr int ATTR_ON_VALUE = 900;
constexpr int ATTR_OFF_VALUE = 901;
constexpr int ATTR_ON_TEXT = 940;
constexpr int ATTR_OFF_TEXT = 941;
constexpr int ATTR_SHORTCUT_KEY = 1020;
constexpr int ATTR_CHECKED = 1040;  // menu item check mark
constexpr int ATTR_TABLE_ROW_LABEL_WIDTH = 1517;
constexpr int ATTR_TABLE_COLUMN_LABEL_HEIGHT = 1518;
constexpr int ATTR_TABLE_FIRST_ROW_TOP = 1526;      // read only
constexpr int ATTR_TABLE_FIRST_COLUMN_LEFT = 1527;  // read only
constexpr int ATTR_CELL_TYPE = 1580;
constexpr int ATTR_HORIZONTAL_GRID_COLOR = 1583;
constexpr int ATTR_VERTICAL_GRID_COLOR = 1584;
constexpr int ATTR_ROW_HEIGHT = 1650;
constexpr int ATTR_ROW_ACTUAL_HEIGHT = 1651;  // read only
constexpr int ATTR_COLUMN_WIDTH = 1700;
constexpr int ATTR_COLUMN_ACTUAL_WIDTH = 1701;  // read only

// Values of attributes.
constexpr int VAL_INTEGER = 1;
constexpr int VAL_FLOAT = 3;
constexpr int VAL_DOUBLE = 4;
constexpr int VAL_STRING = 7;
constexpr int VAL_HOT = 1;
constexpr int VAL_INDICATOR = 0;
constexpr int VAL_CELL_NUMERIC = 1;
constexpr int VAL_CELL_PICTURE = 2;
constexpr int VAL_TRANSPARENT = 0x1000000;
constexpr int VAL_LEFT_JUSTIFIED = 0;
constexpr int VAL_RIGHT_JUSTIFIED = 16;
constexpr int VAL_CENTER_JUSTIFIED = 32;

// System and monitor attributes.
constexpr int ATTR_RESOLUTION_ADJUSTMENT = 1500;
constexpr int ATTR_MONITOR_HEIGHT = 540;
constexpr int ATTR_MONITOR_WIDTH = 533;

// File dialog: button label and results.
constexpr int VAL_OK_BUTTON = 0;
constexpr int VAL_SAVE_BUTTON = 1;
constexpr int VAL_SELECT_BUTTON = 2;
constexpr int VAL_LOAD_BUTTON = 3;
constexpr int VAL_NO_FILE_SELECTED = 0;
constexpr int VAL_EXISTING_FILE_SELECTED = 1;
constexpr int VAL_NEW_FILE_SELECTED = 2;

// Error codes (always negative).
constexpr int UIE_NOT_INITIALIZED = -1;
constexpr int UIE_NO_DISPLAY = -2;
constexpr int UIE_BAD_PANEL = -4;
constexpr int UIE_BAD_CONTROL = -5;
constexpr int UIE_BAD_STYLE = -6;
constexpr int UIE_BAD_ATTRIBUTE = -7;
constexpr int UIE_BAD_VALUE_TYPE = -8;
constexpr int UIE_OUT_OF_RANGE = -9;
constexpr int UIE_BAD_MENU_BAR = -10;
constexpr int UIE_BAD_MENU_ITEM = -11;
constexpr int UIE_ITEM_NOT_FOUND = -12;
constexpr int UIE_BAD_ARGUMENT = -13;
constexpr int UIE_BUFFER_TOO_SMALL = -14;
constexpr int UIE_BAD_MONITOR = -15;

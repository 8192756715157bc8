#pragma once

#include "settings/key_catalogue.h"

// The full object name (OL_HALTDECK_...) and the title bar caption of each window.
const char* windowObjectName(WindowId window);
const char* windowCaption(WindowId window);

#pragma once
// The numeric table editor: TNTabEd, a spreadsheet-like grid over a
// TDataTable.
#include "ntabed/NTabEd.h"

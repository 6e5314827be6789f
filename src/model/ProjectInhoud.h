#pragma once

#include "DataItemPagina.h"
#include "DataItemPaginaItem.h"
#include "DataItemProject.h"

#include <array>

// Everything a project file holds: the project with its pages and items and
// the eight templates. A file is read into one of these aside, so that a
// file that fails halfway leaves the open project untouched.
struct CProjectInhoud {
    QString strVersie;
    CDataItemProject project;
    std::array<CDataItemPagina, 4> aSjabloonPagina;
    std::array<CDataItemPaginaItem, 4> aSjabloonItem;
    // The oldest version holds only template page 1 and template items 1 and 2;
    // the document keeps its other templates as they were.
    bool bAlleSjablonen = true;
};

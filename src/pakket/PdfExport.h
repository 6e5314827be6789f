#pragma once

#include <QSize>
#include <QString>

class CDataItemProject;
class IKlok;

// Every page of the project in order as one PDF, one page each in the
// page's shape (maat, in pixels at 96 per inch), drawn by the composer as
// the show draws it (clock fields as the clock says now), with the page
// names as bookmarks. Written through a temporary file that takes the
// target's place at the end. False with a Dutch message when it failed;
// nothing is left then.
// The project's page size and output rectangle are set to maat, as a
// window's paint sets them: give it a copy of the open project.
bool SchrijfPdf(
    CDataItemProject& project, const QString& strDoel, const QSize& maat, const IKlok& klok, QString& strFout);

#pragma once

#include <QString>

#include <vector>

struct CProjectInhoud;

// A file that a project names: a picture, a sound, the gong, or a document
// or program that an item's action opens.
struct SReferentie {
    QString strOpgeslagen; // the path as the project stores it
    QString strElement; // who names it, as the operator knows it
    QString strBestand; // the local file the project's path resolver finds; empty: not found
    QString strIngang; // where it goes in a package, under the project's folder
};

// Every reference of the project whose file is in strProjectMap, in project
// order; the same stored path once. A command that is no file (an "@"
// command, a web address, a bare program name the system finds on its
// search path) is no reference.
std::vector<SReferentie> VerzamelReferenties(const CProjectInhoud& inhoud, const QString& strProjectMap);

// Gives every found reference its place in a package: where the path
// resolver finds it again once the package is unpacked in any folder. A
// relative path stays as it is; a Windows path, or an absolute one, goes to
// its shortest tail that no other file of the project claims (letter case
// aside, as the resolver ignores it). The same file named by several paths
// is stored once; a path that cannot be given a place of its own (a
// relative one that leaves the folder, or two files whose whole paths
// differ only in the drive) is left without, like a missing file. strVrij
// names the places already taken (the project file itself).
void PlaatsIngangen(std::vector<SReferentie>& aReferenties, const QStringList& aBezet);

#pragma once

class QDialog;

// Runs a dialog modal to its own window only. The show and its viewer are
// windows of their own, so a presenter's clicks and keys go on working on
// the projector while the operator has a dialog open in the editor.
int ToonModaal(QDialog& dlg);

#pragma once

class QWidget;

// Shows a sensor window; one that was hidden opens beside main (see
// PlaceBeside), one already shown stays where the user put it. Raised and
// given the focus either way.
void OpenBeside(QWidget& window, const QWidget& main);

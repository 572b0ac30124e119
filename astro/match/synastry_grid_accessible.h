// The aspect grid for a screen reader: a table of his points (rows) against
// her points (columns), with their headers ("His Sun", "Her Moon"), each cell
// saying its aspect or that there is none, and the cell the arrow keys have
// reached as the current one. The grid is painted, so without this a reader
// met one nameless picture.
#pragma once

namespace astro {

class AspectGridView;

// Installs, once for the whole program, the interface of every AspectGridView.
void SpeakAspectGridsAsTables();

// Tells a reader that the grid's current cell has moved.
void AnnounceCurrentCell(AspectGridView* grid);

}  // namespace astro

// Silences the platform grid's row- or column-move event while the grid's own bookkeeping moves rows or columns.
#pragma once

#include <utility>

#include "platform/ui/Grids.h"

namespace grid {

// Moves made by the grid's own bookkeeping are no moves the user made: the move event stays
// quiet for the lifetime of this object and is given back afterwards.
class TQuietMoves {
public:
    explicit TQuietMoves(ui::TMovedEvent& event) : FEvent(event), FSaved(std::move(event)) { FEvent = nullptr; }
    ~TQuietMoves() { FEvent = std::move(FSaved); }
    TQuietMoves(const TQuietMoves&) = delete;
    TQuietMoves& operator=(const TQuietMoves&) = delete;

private:
    ui::TMovedEvent& FEvent;
    ui::TMovedEvent FSaved;
};

}  // namespace grid

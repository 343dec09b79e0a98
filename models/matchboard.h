#pragma once
// The board both matching questions are played on: name bars, targets
// (descriptions or portraits) and which bar each target holds. A bar counts
// where it is drawn, and only there: it rests on at most one target, and a
// target holds at most one bar. Nothing here fails; a move that makes no
// sense (no bar picked up, a place off the board) changes nothing.
#include <optional>
#include <span>
#include <vector>

namespace brev {

class MatchBoard {
public:
    explicit MatchBoard(int bars);

    int size() const { return int(placed_.size()); }
    // Empties the board: no bar placed or picked up, every target showing
    // its own bar's record (the order a shuffle then mixes).
    void clear();
    // Target p shows the record of bar order(p).
    std::span<int> order() { return order_; }
    int order(int p) const { return valid(p) ? order_[size_t(p)] : -1; }

    // Bar k is picked up: the next drop places it.
    void pickUp(int bar);
    int pickedUp() const { return picked_; }
    // The picked-up bar is dropped on target p: it leaves the target it was
    // on, and the bar that p held goes back to its row. Returns that bar (or
    // -1 when p was empty or held this bar); nothing when no bar is picked up
    // or p is not a target.
    std::optional<int> drop(int p);

    // The bar on target p, or -1.
    int placedBar(int p) const { return valid(p) ? placed_[size_t(p)] : -1; }
    // The target bar k rests on, or -1.
    int targetOf(int bar) const;
    // Whether target p holds the bar whose record it shows.
    bool rightAt(int p) const { return valid(p) && placed_[size_t(p)] == order_[size_t(p)]; }
    int rightPairs() const;

private:
    bool valid(int p) const { return p >= 0 && p < size(); }

    std::vector<int> order_;
    std::vector<int> placed_;
    int picked_ = -1;
};

} // namespace brev

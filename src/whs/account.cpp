#include "whs/account.h"

#include "model/textline.h"

namespace greenfold::whs {

namespace {

using Lines = std::vector<std::string>;

std::string datetext(const Date& d) {
    return reportdate(d.year, d.month, d.day);
}

// An unrounded figure and its rounding; only the figure when it is a tenth already.
std::string arrow(Fraction unrounded, Tenths rounded) {
    if (unrounded == Fraction(rounded)) return tenthstext(rounded);
    return fractiontext(unrounded) + " -> " + tenthstext(rounded);
}

void adjustment(Lines& out, const Adjustment& a) {
    if (a.coursehcp)
        out.push_back("Hole limits: net double bogey, course handicap " +
                      handicaptext(*a.coursehcp));
    else
        out.push_back("Hole limits: par + 5, no index yet");
    if (a.nostrokeindex)
        out.push_back("Estimated: the course has no stroke indexes, so strokes go where they "
                      "count most");
    if (a.totalsonly) out.push_back("Totals only: the holes are not known, the gross counts");
    for (const AdjustedHole& h : a.adjusted)
        out.push_back("  hole " + std::to_string(h.hole) + ": " + std::to_string(h.score) +
                      " counts " + std::to_string(h.counted));
    out.push_back("Gross " + std::to_string(a.gross) + ", adjusted gross score " +
                  std::to_string(a.ags));
}

std::string playedformula(const DifferentialStep& d) {
    return "113 / " + std::to_string(d.rating.slope) + " x (" + std::to_string(d.ags) + " - " +
           fractiontext(d.rating.cr) + ") = ";
}

// A course kept with a nine's own rating says so: its figure is the nine's, or twice it.
void nineholes(Lines& out, const DifferentialStep& d) {
    if (!d.rating.nineholes) return;
    if (d.nine) {
        out.push_back("Nine-hole rating " + fractiontext(d.rating.cr) + ", par " +
                      std::to_string(d.rating.par));
        return;
    }
    out.push_back("Nine-hole rating " + fractiontext(d.rating.cr / Fraction(2)) +
                  ", twice for 18 holes: " + fractiontext(d.rating.cr) + ", par " +
                  std::to_string(d.rating.par));
}

void differential(Lines& out, const DifferentialStep& d, int holes) {
    nineholes(out, d);
    if (!d.nine) {
        out.push_back("Score differential = " + playedformula(d) + arrow(d.played, *d.rounded));
        return;
    }
    out.push_back("Nine-hole differential = " + playedformula(d) + fractiontext(d.played));
    if (!d.expectedfrom) {
        out.push_back("Waits for 54 holes to count (" + std::to_string(holes) + " so far)");
        return;
    }
    const Fraction expected = expectednine(*d.expectedfrom);
    out.push_back("Expected nine-hole differential = " + tenthstext(*d.expectedfrom) +
                  " / 2 + 1.0 = " + fractiontext(expected));
    out.push_back("Score differential = " + fractiontext(d.played) + " + " +
                  fractiontext(expected) + " = " + arrow(d.unrounded, *d.rounded));
}

void reduction(Lines& out, const ReductionStep& r) {
    out.push_back("Exceptional score: " + tenthstext(r.ineffect) + " - differential = " +
                  fractiontext(r.better) + " better, " + tenthstext(r.reduction) + " on " +
                  std::to_string(r.differentials) + " differentials");
}

void firstindex(Lines& out, const FirstIndexStep& f) {
    out.push_back(std::to_string(f.holes) + " holes: starting index " +
                  tenthstext(f.starting.index) + " from " + std::to_string(f.starting.count) +
                  " scores, the waiting nines two by two");
    for (const ScaledNine& n : f.nines)
        out.push_back("  nine of " + datetext(n.date) + ": " + fractiontext(n.played) + " + " +
                      fractiontext(expectednine(f.starting.index)) + " = " +
                      arrow(n.played + expectednine(f.starting.index), n.differential));
}

std::string lowesttext(const IndexCalc& c) {
    std::string text;
    for (Tenths t : c.lowest) text += " " + tenthstext(t);
    return text;
}

void caps(Lines& out, const IndexCalc& c, const std::optional<Date>& previous) {
    const Tenths low = *c.low;
    out.push_back("Low index " + indextext(low) + " (the 365 days to " + datetext(*previous) + ")");
    if (c.capped.cap == Cap::none) return;
    out.push_back("Soft cap: " + tenthstext(low) + " + 3.0 + (" + tenthstext(c.calculated) + " - " +
                  tenthstext(low) +
                  " - 3.0) / 2 = " + arrow(c.capped.softcapped, roundtenths(c.capped.softcapped)));
    if (c.capped.cap == Cap::hard)
        out.push_back("Hard cap: " + tenthstext(low) + " + 5.0 = " + tenthstext(c.capped.index));
}

void index(Lines& out, const Account& a) {
    if (!a.index) {
        out.push_back("No index yet: " + std::to_string(a.differentials) +
                      " differentials, 3 needed");
        return;
    }
    const IndexCalc& c = *a.index;
    out.push_back("Differentials " + std::to_string(c.count) + ", lowest " +
                  std::to_string(c.row.used) + " used:" + lowesttext(c));
    std::string average = "Average " + arrow(c.average, roundtenths(c.average));
    if (c.row.adjustment != Tenths{0})
        average += ", adjustment " + tenthstext(c.row.adjustment) + ": " + tenthstext(c.calculated);
    out.push_back(average);
    if (c.low) caps(out, c, a.previous);
    if (c.maximum) out.push_back("Held at the maximum 54.0");
    out.push_back("Handicap index " + indextext(c.index));
}

void handicap(Lines& out, const std::optional<HandicapCalc>& h) {
    if (!h) {
        out.push_back("Index 0, course handicap 0");
        return;
    }
    std::string line = "Course handicap = ";
    if (h->nine) {
        out.push_back("Nine holes: " + tenthstext(h->index) + " / 2 = " + tenthstext(h->used));
        line = "Nine-hole course handicap = ";
    }
    line += tenthstext(h->used) + " x " + std::to_string(h->rating.slope) + " / 113 + (" +
            fractiontext(h->rating.cr) + " - " + std::to_string(h->rating.par) +
            ") = " + fractiontext(h->course);
    if (h->allowance != 100)
        line += " x " + std::to_string(h->allowance) +
                "% = " + fractiontext(h->course * Fraction(h->allowance, 100));
    out.push_back(line + " -> " + handicaptext(h->playing));
}

} // namespace

std::vector<std::string> accountlines(const Account& a) {
    Lines out;
    out.push_back(a.ineffect ? "Index in effect " + indextext(*a.ineffect) : "No index yet");
    adjustment(out, a.adjustment);
    differential(out, a.differential, a.holesposted);
    if (a.reduction) reduction(out, *a.reduction);
    if (a.firstindex) firstindex(out, *a.firstindex);
    index(out, a);
    handicap(out, a.handicap);
    return out;
}

} // namespace greenfold::whs

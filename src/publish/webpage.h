#pragma once

#include "model/outcome.h"
#include "model/programstate.h"
#include "results/resultsfile.h"
#include "results/skins.h"

#include <string>
#include <string_view>

namespace greenfold {

// The season on one web page a league can put up or mail round: the standings flight by
// flight, the newest night's results and skins, and the day it was written. One file
// that stands alone (its style sheet inside it, no scripts, nothing fetched), laid out
// for a phone's narrow screen as well as a desktop's, and plain on paper.

// Text made safe to stand in a page's text or in a quoted attribute: the five characters
// HTML gives a meaning escaped, control characters left out.
std::string htmltext(std::string_view text);

// The page. The skins are the newest night's; written is the date as the printouts show
// it ("12-07-2026").
// more: further sections (match play's, matchpage.h) after the night's.
std::string webpage(const std::string& league, const ResultsFile& f, const NightSkins& skins,
                    const std::string& written, const std::string& more = "");

// The newest night's skins of the league. Nothing when the file has no nights.
NightSkins newestskins(const ProgramState& g, const ResultsFile& f);

// Writes the page whole or not at all.
Outcome savewebpage(const fs::path& file, const std::string& bytes);

} // namespace greenfold

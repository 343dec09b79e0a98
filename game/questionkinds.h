#pragma once
// The one table of question kinds: the model that asks a question on each
// screen, for the game and the export alike. A category's screen comes from
// the category table; a screen's window comes from the windows' own table.
#include "base/categories.h"
#include "base/state.h"

#include <memory>

namespace brev {

class ItemDraw;
class QuestionModel;

// The model of a question of `category` on `screen`, not loaded yet; null
// for a screen without one. maxdif: the game's maximum difficulty (Name Me).
std::unique_ptr<QuestionModel> makeQuestion(Screen screen, ItemDraw& draw, int category, int maxdif);

} // namespace brev

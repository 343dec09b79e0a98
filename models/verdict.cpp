#include "models/verdict.h"

#include "store/gamelog.h"
#include "store/score.h"
#include "store/cmnfunc.h"
#include "store/context.h"

namespace brev {

void applyVerdict(AppContext& ctx, const Verdict& verdict)
{
    updatestats(ctx.game, verdict.points, verdict.possible);
    for (const LogLine& line : verdict.log)
        writelog(ctx, line.text, line.level);
    for (const Credit& credit : verdict.credits)
        recordanswer(ctx.game, credit.record, credit.change);
    if (verdict.sound >= 0)
        playsfx(ctx, verdict.sound);
}

} // namespace brev

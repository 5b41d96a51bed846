#include "model/MatchOperation.h"

#include "model/Match.h"

bool ApplyOperation(CMatch& match, const TMatchOperation& operation)
{
    return match.Apply(operation);
}

bool Replay(CMatch& match, const std::vector<TMatchOperation>& operations,
            std::vector<size_t>* skipped,
            const std::function<void(const TMatchOperation&)>& applied)
{
    bool whole = true;
    for (size_t index = 0; index < operations.size(); ++index) {
        if (!match.Apply(operations[index])) {
            whole = false;
            if (skipped != nullptr) {
                skipped->push_back(index);
            }
        } else if (applied) {
            applied(operations[index]);
        }
    }
    return whole;
}

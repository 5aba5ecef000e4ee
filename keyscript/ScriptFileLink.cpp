#include "keyscript/ScriptFileLink.h"

#include "keyscript/KeyScriptFile.h"
#include "keyscript/KeyScriptReader.h"
#include "keyscript/RunLink.h"

bool linkOfScriptFile(const std::string& path, std::string& link, std::string& error) {
    KeyScriptFile scriptFile;
    if (!scriptFile.open(path, error)) {
        return false;
    }
    KeyScriptReader script(scriptFile.stream(), scriptFile.name());
    RunScript run;
    run.stage = script.startStage();
    KeyScriptLine line;
    // One line past the most a link holds is enough to refuse it.
    while (run.lines.size() <= MaxRunLinkLines && script.next(line)) {
        run.lines.push_back(line);
    }
    if (!script.fault().empty()) {
        error = script.fault();
        return false;
    }
    return makeRunLink(run, link, error);
}

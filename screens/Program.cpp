#include "screens/Program.h"

#include <ostream>

#include "screens/Unit1.h"
#include "screens/Unit2.h"

Program::Program(Platform& platform, const std::string& executablePath, const MediaFactory& makeMedia)
    : executablePath_(executablePath),
      application_(platform, executablePath),
      media_(makeMedia(application_.scheduler())) {}

Program::~Program() { application_.destroyForms(); }

bool Program::start(std::ostream& errors) {
    try {
        application_.platform().typesetter().addFaceAliases("data/fonts.conf");
        application_.createForm(Form1, *media_);
        application_.createForm(Form2, *media_);
        return true;
    } catch (const std::exception& error) {
        std::string text = startupErrorText(error, executablePath_);
        errors << "Application Error: " << text << '\n';
        application_.platform().showFatalError("Application Error", text);
        return false;
    }
}

#include "screens/Program.h"

#include <ostream>

#include "frame/Application.h"
#include "frame/Font.h"
#include "media/MediaService.h"
#include "screens/Unit1.h"
#include "screens/Unit2.h"

bool startProgram(TApplication& application, MediaService& media, const std::string& executablePath,
                  std::ostream& errors) {
    setMediaService(&media);
    try {
        loadFontAliases("data/fonts.conf");
        application.createForm(Form1);
        application.createForm(Form2);
        return true;
    } catch (const std::exception& error) {
        std::string text = startupErrorText(error, executablePath);
        errors << "Application Error: " << text << '\n';
        application.platform().showFatalError("Application Error", text);
        return false;
    }
}

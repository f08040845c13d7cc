#include "SaveFileChooser.h"

#include <algorithm>

PictureChoice choosePicture(SaveFileChooser& chooser, const QString& title, const QString& suggestedPath,
                            const std::vector<PictureType>& types)
{
    QStringList filters;
    for (const PictureType& type : types)
        filters << type.filter;
    const SaveFileChooser::Choice choice = chooser.choose(title, suggestedPath, filters);
    const auto chosen = std::find_if(types.begin(), types.end(), [&](const PictureType& type) { return type.filter == choice.filter; });
    return {choice.path, chosen == types.end() ? types.front().pngScale : chosen->pngScale};
}

#!/bin/sh
# Brings the translation sources in resources/translations in step with the
# texts of the code: new texts are added unfinished, texts no longer in the
# code are dropped. Line numbers are left out so that the diffs show only
# changed texts. lupdate comes with Debian's qttools5-dev-tools.
set -e
cd "$(dirname "$0")/.."
translations=resources/translations
# The include paths let lupdate see the namespaces of the classes, which
# are part of their translation contexts.
lupdate -no-obsolete -locations none -I varo_toolkit varo_toolkit/varo \
    -ts $translations/toolkit_de.ts $translations/toolkit_es.ts \
        $translations/toolkit_fr.ts $translations/toolkit_it.ts
lupdate -no-obsolete -locations none -I varo_toolkit -I application application \
    -ts $translations/de.ts

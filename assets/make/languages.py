"""Every language we ship voices for: who speaks it and under which terms.

Festival speaks where Debian packages a festival voice of the language,
espeak-ng elsewhere. A voice file carries the licence of the voice data it
is made from.
"""

from collections import namedtuple

Language = namedtuple("Language", "name engine voice package licence")

LANGUAGES = {
    "en": Language("English", "festival", "cmu_us_slt_arctic_hts", "festvox-us-slt-hts",
                   "use, copying, modification for any purpose without fee (CMU)"),
    "de": Language("German", "espeak-ng", "de", "espeak-ng-data", "GPL-3+"),
    "es": Language("Spanish", "espeak-ng", "es", "espeak-ng-data", "GPL-3+"),
    "fr": Language("French", "espeak-ng", "fr-fr", "espeak-ng-data", "GPL-3+"),
    "it": Language("Italian", "festival", "lp_diphone", "festvox-italp16k", "GPL-2+"),
    "nl": Language("Dutch", "espeak-ng", "nl", "espeak-ng-data", "GPL-3+"),
    "pl": Language("Polish", "espeak-ng", "pl", "espeak-ng-data", "GPL-3+"),
}

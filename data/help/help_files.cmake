# Writes the two help pages from one source: TQ460.html for models with ATIS and
# TQ460_NA.html without; the ATIS passages are marked <!--ATIS-->...<!--/ATIS-->.
# Usage: cmake -DSOURCE=help.html.in -DOUTPUT_DIR=dir -P help_files.cmake
file(READ ${SOURCE} text)
string(REPLACE "<!--ATIS-->" "" with_atis "${text}")
string(REPLACE "<!--/ATIS-->" "" with_atis "${with_atis}")
string(REGEX REPLACE "<!--ATIS-->[^<]*(<[^!][^<]*)*<!--/ATIS-->" "" without_atis "${text}")
file(WRITE ${OUTPUT_DIR}/TQ460.html "${with_atis}")
file(WRITE ${OUTPUT_DIR}/TQ460_NA.html "${without_atis}")

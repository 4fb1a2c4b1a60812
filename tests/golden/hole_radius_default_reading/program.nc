G90 G00 X0 Y0
G81 X10. Y10. Z-3. R2.
X20.
G80
g0 x30 (lower case: nothing in the default reading)

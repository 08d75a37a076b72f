# The B1 loop at the top level: global variables, braced expr.
set n [lindex $argv 0]
set x 0
for {set i 1} {$i <= $n} {incr i} {
    set x [expr {$x+$i*3}]
    set y [expr {$x-$i}]
}
puts $x

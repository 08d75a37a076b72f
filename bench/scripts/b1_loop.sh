# The B1 loop in dash arithmetic.
n=$1
x=0
i=1
while [ "$i" -le "$n" ]; do
  x=$((x + i * 3))
  y=$((x - i))
  i=$((i + 1))
done
echo "$x"

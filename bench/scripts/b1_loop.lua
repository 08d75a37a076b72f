-- The B1 loop with global variables.
n = tonumber(arg[1])
x = 0
for i = 1, n do
  x = x + i * 3
  y = x - i
end
print(x)

local Inventory = {}
Inventory.__index = Inventory
function Inventory.new(limit)
  local inv = { items = {}, cap = limit or 64, n = 0 }
  return setmetatable(inv, Inventory)
end

function Inventory:add(id, qty)
  if self.n + qty > self.cap then return false, "full" end
  self.items[id] = (self.items[id] or 0) + qty
  return true end

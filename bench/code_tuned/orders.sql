INSERT INTO orders (id, placed_at, amount, rate)
VALUES (1004, '2025-01-09 08:30:00', 199.90, 0.075),
       (1005, '2025-01-09 08:31:12', 20.00, 0.1);
DELETE FROM carts WHERE updated_at < '2024-12-31' AND qty = 0;
SELECT COUNT(*) FROM orders WHERE amount >= 100 AND rate <> 0.2;
